# Every target of the project gets the same strict warnings; warnings are errors in CI builds.
add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
  -Woverloaded-virtual -Wconversion -Wsign-conversion -Wnull-dereference -Wformat=2)
option(TOVIN_WERROR "Treat warnings as errors" ON)
if(TOVIN_WERROR)
  target_compile_options(project_warnings INTERFACE -Werror)
endif()
