# Makes <appdir>/myd.mdb from schema.sql at every build, but only when the application folder has none:
# an existing database may hold entered questionnaires and is never overwritten.
#
# Included by data/CMakeLists.txt it adds the target; run with `cmake -P` (SCHEMA, DATABASE, SQLITE3 set) it
# builds the file into a temporary name first, so a failing schema leaves no half-made database behind.

if(CMAKE_SCRIPT_MODE_FILE)
  if(EXISTS "${DATABASE}")
    return()
  endif()
  set(partial "${DATABASE}.partial")
  file(REMOVE "${partial}")
  execute_process(COMMAND "${SQLITE3}" -bail "${partial}"
    INPUT_FILE "${SCHEMA}"
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    file(REMOVE "${partial}")
    message(FATAL_ERROR "Making ${DATABASE} from ${SCHEMA} failed: ${errors}")
  endif()
  file(RENAME "${partial}" "${DATABASE}")
  message(STATUS "Made ${DATABASE}")
  return()
endif()

find_program(HESTOVA_SQLITE3 sqlite3 REQUIRED)
add_custom_target(hestova_database ALL
  COMMAND ${CMAKE_COMMAND}
    -DSCHEMA=${CMAKE_CURRENT_LIST_DIR}/schema.sql
    -DDATABASE=${HESTOVA_APP_DIR}/myd.mdb
    -DSQLITE3=${HESTOVA_SQLITE3}
    -P ${CMAKE_CURRENT_LIST_FILE}
  COMMENT "Making myd.mdb when the application folder has none"
  VERBATIM)
