include_guard(GLOBAL)

# Tests of widgets: the same, with a main() that makes the QApplication (common/WidgetTestMain.cpp).
add_library(tovin_widget_test_main STATIC ${CMAKE_CURRENT_LIST_DIR}/WidgetTestMain.cpp)
target_link_libraries(tovin_widget_test_main PUBLIC Qt6::Widgets GTest::gtest PRIVATE project_test_warnings)
function(tovin_add_widget_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/common)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} tovin_widget_test_main Qt6::Test project_test_warnings)
  set(environment QT_QPA_PLATFORM=offscreen ${ARG_ENVIRONMENT})
  string(REPLACE ";" "\\;" environment "${environment}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "${environment}")
endfunction()
