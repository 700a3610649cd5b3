# Python, for the build-time helpers: packing the release (standard library
# only) and the checks on the committed artwork. The system's Python is
# preferred: it is the one setup gives the imaging library. MORVANE_PYTHON is
# left unset where there is none.

# Windows has a "python3" that only offers to install Python from the store.
function(morvane_python_runs result candidate)
  execute_process(COMMAND ${candidate} -c "import sys" RESULT_VARIABLE status
                  OUTPUT_QUIET ERROR_QUIET)
  if(NOT status EQUAL 0)
    set(${result} FALSE PARENT_SCOPE)
  endif()
endfunction()

find_program(MORVANE_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH
             VALIDATOR morvane_python_runs)
find_program(MORVANE_PYTHON NAMES python3 python VALIDATOR morvane_python_runs)
