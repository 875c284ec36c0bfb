# Layers the build enforces.
#
# A library's include path holds one folder of its own under the build tree, with a symbolic
# link named like its source folder ("draws" -> src/draws): includes stay "layer/file.h", and a
# library sees its own headers and those of the libraries it links, which are the layers below
# it. An include of a layer above names a folder that is on no include path and fails to compile.
#
# numora_layer_headers(<target> FOLDER <name> [SOURCE <dir>] [FILES <header>...])
#   FOLDER  the name the includes use, e.g. "draws" or "app/qt"
#   SOURCE  the folder the headers live in (default: the current source folder)
#   FILES   link only these headers, for a library that shares its folder with a layer above
#           it or holds layers below it in subfolders
#
# numora_link_check(<target>)
#   A static library hides a missing link until something links the whole program. The check
#   links every object of the library into a small program together with the libraries it
#   declares and nothing else, with undefined symbols an error: a library that calls a layer it
#   does not link fails the build. Part of the ordinary build unless NUMORA_LINK_CHECK is off.

function(numora_layer_headers target)
  cmake_parse_arguments(arg "" "FOLDER;SOURCE" "FILES" ${ARGN})
  if(NOT arg_SOURCE)
    set(arg_SOURCE ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  set(link ${root}/${arg_FOLDER})
  # Start over each time so a header removed from FILES disappears from the path.
  file(REMOVE_RECURSE ${root})
  if(arg_FILES)
    file(MAKE_DIRECTORY ${link})
    foreach(header IN LISTS arg_FILES)
      get_filename_component(name ${header} NAME)
      file(CREATE_LINK ${arg_SOURCE}/${name} ${link}/${name} SYMBOLIC)
    endforeach()
  else()
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${arg_SOURCE} ${link} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

function(numora_link_check target)
  # The fuzz build's objects call the fuzzer's coverage hooks, which only a fuzzer links.
  if(NOT NUMORA_LINK_CHECK OR NUMORA_FUZZ)
    return()
  endif()
  set(check ${target}_link_check)
  set(main ${CMAKE_BINARY_DIR}/layers/link_check_main.cpp)
  if(NOT EXISTS ${main})
    file(WRITE ${main} "// The link check's program: it only has to link.\nint main() { return 0; }\n")
  endif()
  add_executable(${check} ${main})
  set_target_properties(${check} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  target_link_libraries(${check} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${target}>")
  target_link_options(${check} PRIVATE -Wl,--no-undefined)
endfunction()
