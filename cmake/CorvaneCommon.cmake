# Settings every Corvane target shares: standard, warnings and Qt safety defines.
add_library(corvane_common INTERFACE)
target_compile_features(corvane_common INTERFACE cxx_std_20)
target_compile_options(corvane_common INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wno-missing-field-initializers>
  $<$<CXX_COMPILER_ID:MSVC>:/W4 /utf-8>)
target_compile_definitions(corvane_common INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_KEYWORDS
  QT_USE_QSTRINGBUILDER
  PUGIXML_NO_EXCEPTIONS)

# corvane_add_test(NAME name SOURCES ... LIBS ... [GUI | WIDGETS])
# Adds a GoogleTest program. Logic tests run under a QCoreApplication; GUI tests (documents and
# fonts) under a QGuiApplication and WIDGETS tests under a QApplication, on the offscreen platform.
function(corvane_add_test)
  cmake_parse_arguments(T "GUI;WIDGETS" "NAME" "SOURCES;LIBS" ${ARGN})
  if(T_WIDGETS)
    set(main corvane_testmain_widgets)
  elseif(T_GUI)
    set(main corvane_testmain_gui)
  else()
    set(main corvane_testmain_core)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  # Test programs get the test hooks (platform/TestHooks.h); the programs that ship do not.
  target_link_libraries(${T_NAME} PRIVATE corvane_common ${main} corvane_test_hooks ${T_LIBS} GTest::gtest GTest::gmock)
  gtest_discover_tests(${T_NAME}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()
