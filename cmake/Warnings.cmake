# Every target of the project gets the same strict warnings; tests relax only the integer
# conversion warnings, which byte tables in tests trigger without catching anything.
set(TOVIN_COMMON_WARNINGS
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
  -Woverloaded-virtual -Wnull-dereference -Wformat=2)
option(TOVIN_WERROR "Treat warnings as errors" ON)
if(TOVIN_WERROR)
  list(APPEND TOVIN_COMMON_WARNINGS -Werror)
endif()

add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE ${TOVIN_COMMON_WARNINGS} -Wconversion -Wsign-conversion)

add_library(project_test_warnings INTERFACE)
target_compile_options(project_test_warnings INTERFACE ${TOVIN_COMMON_WARNINGS})
