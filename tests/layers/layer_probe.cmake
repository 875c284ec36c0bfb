# Builds the two-layer probe three times: the sound pair builds, an upward include and a
# missing link each fail the build, and fail for that reason.
#   cmake -DNUMORA_SOURCE_DIR=<repo> -DPROBE_BINARY_DIR=<scratch> -P layer_probe.cmake
set(probe ${NUMORA_SOURCE_DIR}/tests/layers/probe)
file(REMOVE_RECURSE ${PROBE_BINARY_DIR})

function(build_probe case result_var output_var)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${probe} -B ${PROBE_BINARY_DIR} -DPROBE_CASE=${case}
            -DNUMORA_SOURCE_DIR=${NUMORA_SOURCE_DIR}
    RESULT_VARIABLE configured OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT configured EQUAL 0)
    message(FATAL_ERROR "the probe (${case}) does not configure:\n${out}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${PROBE_BINARY_DIR} --clean-first
                  RESULT_VARIABLE built OUTPUT_VARIABLE out ERROR_VARIABLE out)
  set(${result_var} ${built} PARENT_SCOPE)
  set(${output_var} "${out}" PARENT_SCOPE)
endfunction()

build_probe(sound built out)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "the sound two-layer probe does not build:\n${out}")
endif()

build_probe(upward_include built out)
if(built EQUAL 0 OR NOT out MATCHES "high/high.h")
  message(FATAL_ERROR "an include of the layer above did not fail the build:\n${out}")
endif()

build_probe(missing_link built out)
if(built EQUAL 0 OR NOT out MATCHES "undefined reference to `lowValue")
  message(FATAL_ERROR "a call into a layer the library does not link did not fail the build:\n${out}")
endif()
file(REMOVE_RECURSE ${PROBE_BINARY_DIR})
