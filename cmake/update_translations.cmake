# Script mode: brings a .ts file up to date with the texts of the sources.
#   -DLUPDATE=<lupdate> -DSOURCE_DIR=<repo> -DTS=<file.ts> [-DCHECK=ON]
# With CHECK, works on a copy next to the build and fails when a text has no finished
# translation, naming the texts.
# lupdate writes a text key holding "(&F)" (a menu's mnemonic) or a line break as it is, and
# then cannot read its own file; the keys are escaped after every run.

set(ts ${TS})
if(CHECK)
  get_filename_component(name ${TS} NAME)
  set(ts ${CMAKE_CURRENT_BINARY_DIR}/translation_check/${name})
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/translation_check)
  file(COPY_FILE ${TS} ${ts})
endif()

execute_process(
  COMMAND ${LUPDATE} -silent -tr-function-alias qtTrId+=shown -locations none -no-obsolete
          ${SOURCE_DIR}/src ${SOURCE_DIR}/app -ts ${ts}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${ts}")
endif()

file(READ ${ts} text)
string(REGEX REPLACE "\\(&([A-Za-z])\\)" "(&amp;\\1)" text "${text}")
# A line break inside a key would be read back as a space: written as a character reference.
set(before "")
while(NOT before STREQUAL text)
  set(before "${text}")
  string(REGEX REPLACE "(id=\"[^\"\n]*)\n" "\\1&#xa;" text "${text}")
endwhile()
file(WRITE ${ts} "${text}")

if(CHECK)
  string(REGEX MATCHALL "<message id=\"[^\"]*\">[ \n]*<source></source>[ \n]*<translation type=\"unfinished\""
         unfinished "${text}")
  list(LENGTH unfinished count)
  if(count GREATER 0)
    string(REPLACE ";" "\n" listed "${unfinished}")
    message(FATAL_ERROR "${count} texts without a finished translation in ${name}:\n${listed}")
  endif()
  message(STATUS "Every text of ${name} is translated")
endif()
