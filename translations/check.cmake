# Fails when a translation is not finished: runs lupdate over the sources into
# copies of the .ts files (the repository's stay untouched) and looks for texts
# that are new, changed or gone since they were translated, or left empty, and
# for calls that lupdate cannot file under a context.
#
#   cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<repository> -DWORK_DIR=<scratch folder>
#         -DTS_FILES=<a.ts;b.ts> -P check.cmake
foreach(var LUPDATE SOURCE_DIR WORK_DIR TS_FILES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(problems "")
set(complaints "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  file(COPY_FILE ${ts} ${WORK_DIR}/${name})
  # The same options as the update_translations target, except that texts gone
  # from the sources are kept, marked "vanished", so that they show up here.
  execute_process(
    COMMAND ${LUPDATE} -locations none ui -ts ${WORK_DIR}/${name}
    WORKING_DIRECTORY ${SOURCE_DIR}
    RESULT_VARIABLE failed
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  if(failed)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${output}")
  endif()
  # A text lupdate complains about ("tr() cannot be called without context",
  # "lacks Q_OBJECT macro") is missing from the .ts files or filed under
  # another context than the one the program asks for at run time: either
  # way it stays English.
  string(REGEX MATCHALL "[^\n]*:[0-9]+: [^\n]*(tr\\(\\)|Q_OBJECT|context)[^\n]*" found "${output}")
  list(APPEND complaints ${found})

  file(READ ${WORK_DIR}/${name} text)
  # One message a list entry: a ";" in a text would split it further, and
  # brackets would hold entries together.
  string(REPLACE ";" "<semicolon/>" text "${text}")
  string(REPLACE "[" "<bracket/>" text "${text}")
  string(REPLACE "]" "</bracket>" text "${text}")
  string(REPLACE "</message>" "</message>;" messages "${text}")
  set(count 0)
  foreach(message IN LISTS messages)
    if(NOT message MATCHES "<source>(([^<]|<semicolon/>|<bracket/>|</bracket>)*)</source>")
      continue()
    endif()
    set(source "${CMAKE_MATCH_1}")
    string(REPLACE "<semicolon/>" ";" source "${source}")
    string(REPLACE "<bracket/>" "[" source "${source}")
    string(REPLACE "</bracket>" "]" source "${source}")
    math(EXPR count "${count} + 1")
    if(message MATCHES "type=\"(unfinished|vanished|obsolete)\"")
      string(APPEND problems "  ${name}: ${CMAKE_MATCH_1}: \"${source}\"\n")
    elseif(message MATCHES "<translation>[ \t\n]*</translation>|<translation/>")
      string(APPEND problems "  ${name}: empty: \"${source}\"\n")
    endif()
  endforeach()
  if(count EQUAL 0)
    string(APPEND problems "  ${name}: no texts at all\n")
  endif()
  message(STATUS "${name}: ${count} texts")
endforeach()

list(REMOVE_DUPLICATES complaints)
foreach(complaint IN LISTS complaints)
  string(APPEND problems "  ${complaint}\n")
endforeach()
if(problems)
  message(FATAL_ERROR "Translations to finish:\n${problems}"
                      "Update the .ts files with cmake --build <dir> --target update_translations "
                      "and translate them in Qt Linguist.")
endif()
