# Runs lupdate over the sources into a scratch copy of the .ts file and fails when any entry is
# unfinished: a text the window shows that is new, changed or not yet translated.
# Arguments: LUPDATE, OPTIONS (a list), SOURCES, TS, SCRATCH (a folder of its own).
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
get_filename_component(name ${TS} NAME)
set(copy ${SCRATCH}/${name})
file(COPY_FILE ${TS} ${copy})
execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${SOURCES} -ts ${copy}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${result}):\n${output}")
endif()
file(STRINGS ${copy} unfinished REGEX "type=\"unfinished\"")
list(LENGTH unfinished count)
file(STRINGS ${copy} sources REGEX "<source>")
list(LENGTH sources total)
if(total EQUAL 0)
  message(FATAL_ERROR "lupdate found no text to translate in ${SOURCES}")
endif()
if(NOT count EQUAL 0)
  # The texts without a translation, so the message says what to do.
  file(READ ${copy} content)
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" missing
         "${content}")
  string(REPLACE ";" "\n" missing "${missing}")
  message(FATAL_ERROR "${count} of ${total} texts have no finished translation in ${name} "
                      "(run the numora_lupdate target and translate them):\n${missing}")
endif()
message(STATUS "${total} texts, all translated")
