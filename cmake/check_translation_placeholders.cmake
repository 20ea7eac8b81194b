# Script mode: every finished translation of a .ts file keeps exactly the placeholders (%1, %2,
# ... %99, as QString::arg and the rules' fill read them) of its source text, so a translation
# can never drop a number or name, nor show one the source does not give.
#   -DTS=<file.ts>
# Fails naming each text whose translation differs.

file(READ ${TS} text)
# Characters CMake lists treat specially; no placeholder holds them.
string(REPLACE ";" "," text "${text}")
string(REPLACE "[" "(" text "${text}")
string(REPLACE "]" ")" text "${text}")

function(placeholders out value)
  string(REGEX MATCHALL "%[1-9][0-9]?" marks "${value}")
  if(marks)
    list(REMOVE_DUPLICATES marks)
    list(SORT marks)
  endif()
  set(${out} "${marks}" PARENT_SCOPE)
endfunction()

string(REGEX MATCHALL
       "<message id=\"[^\"]*\">[^<]*<source></source>[^<]*<translation[^>]*>[^<]*</translation>"
       messages "${text}")
set(faults "")
set(checked 0)
foreach(message IN LISTS messages)
  # An unfinished translation is the completeness check's to report.
  if(message MATCHES "<translation type=")
    continue()
  endif()
  string(REGEX MATCH "id=\"([^\"]*)\"" unused "${message}")
  set(id "${CMAKE_MATCH_1}")
  string(REGEX MATCH "<translation>([^<]*)</translation>" unused "${message}")
  set(translation "${CMAKE_MATCH_1}")
  placeholders(wanted "${id}")
  placeholders(given "${translation}")
  math(EXPR checked "${checked} + 1")
  if(NOT wanted STREQUAL given)
    string(APPEND faults "\n  ${id}\n    -> ${translation}\n    (${wanted} against ${given})")
  endif()
endforeach()

get_filename_component(name ${TS} NAME)
if(checked EQUAL 0)
  message(FATAL_ERROR "no translated texts found in ${name}")
endif()
if(NOT faults STREQUAL "")
  message(FATAL_ERROR "translations of ${name} whose placeholders differ from the source:${faults}")
endif()
message(STATUS "The ${checked} translations of ${name} keep their placeholders")
