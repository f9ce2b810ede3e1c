# The programs that ship carry no test hooks: none holds the name of the environment variable
# that ends a program with them in the middle of a write; the crash test's corvane-cli, which has
# them, does (so that the search is seen to find it).
# cmake -DSHIPPED="a;b" -DHOOKED=c -P CheckNoTestHooks.cmake
set(variable CORVANE_TEST_EXIT_AFTER_BYTES)
foreach(program ${SHIPPED})
  file(STRINGS ${program} found REGEX ${variable})
  if(found)
    message(FATAL_ERROR "${program} has the test hooks: it reads ${variable}")
  endif()
endforeach()
file(STRINGS ${HOOKED} found REGEX ${variable})
if(NOT found)
  message(FATAL_ERROR "${variable} not found in ${HOOKED}, which has the test hooks")
endif()
message(STATUS "no test hooks in: ${SHIPPED}")
