# Compiles a file that includes a widget header the way a core library is
# compiled, with the widget headers even within reach: the guard must stop it.
string(REPLACE "|" ";" qt_includes "${QT_INCLUDES}")
set(flags -std=c++20 -fsyntax-only -I${GUARD})
foreach(dir IN LISTS qt_includes)
    list(APPEND flags -isystem ${dir})
endforeach()
execute_process(COMMAND ${CXX} ${flags} ${PROBE} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "A core library includes a widget header")
    message(FATAL_ERROR "A core library could include a widget header:\n${err}")
endif()
message(STATUS "Refused as it should be:\n${err}")
