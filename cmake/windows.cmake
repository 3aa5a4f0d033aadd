# Windows build: Hidewell.exe, hidewellctl.exe and the tests that run under Wine.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
# Hidewell mostly waits for the next poll or message: small code serves it better than fast code.
string(REPLACE "-O3" "-Os" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
# Self-contained programs: the C++ runtime linked in, symbols and unused code left out.
add_compile_options(-ffunction-sections -fdata-sections)
set(hw_static_link -static -static-libgcc -static-libstdc++ -s -Wl,--gc-sections)
set(hw_win_libs comctl32 dwmapi shell32 ole32 oleaut32 oleacc uuid gdi32 user32 advapi32 version wtsapi32 kernel32)

# The Win32 adapters and the program's windows; src/win32/app/WinMain.cpp is the entry point.
file(GLOB_RECURSE win32_srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/win32/*.cpp)
list(FILTER win32_srcs EXCLUDE REGEX ".*/WinMain\\.cpp$")
add_library(hw_win32 STATIC ${win32_srcs})
target_include_directories(hw_win32 PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(hw_win32 PUBLIC hw_core ${hw_win_libs})

# The help text: the topics in docs/help, in the order of their file names, joined into one
# file that resources/Help.rc embeds.
file(GLOB help_topics CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/help/*.md)
set(help_text ${CMAKE_BINARY_DIR}/generated/Help.md)
add_custom_command(OUTPUT ${help_text}
                   COMMAND ${CMAKE_COMMAND} "-DIN=${help_topics}" -DOUT=${help_text}
                           -P ${PROJECT_SOURCE_DIR}/cmake/join-files.cmake
                   DEPENDS ${help_topics} ${PROJECT_SOURCE_DIR}/cmake/join-files.cmake VERBATIM)
set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/Help.rc PROPERTIES OBJECT_DEPENDS ${help_text})

add_executable(Hidewell WIN32 ${PROJECT_SOURCE_DIR}/src/win32/app/WinMain.cpp ${PROJECT_SOURCE_DIR}/resources/Hidewell.rc
               ${PROJECT_SOURCE_DIR}/resources/Help.rc)
target_include_directories(Hidewell PRIVATE ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(Hidewell PRIVATE hw_win32 ${hw_static_link} -municode)
set_target_properties(Hidewell PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# Sections on page boundaries in the file: Wine then maps the image from the file instead of
# reading it into private memory.
target_link_options(Hidewell PRIVATE -Wl,--file-alignment,4096)

file(GLOB ctl_srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/hidewellctl/*.cpp)
if(ctl_srcs)
  add_executable(hidewellctl ${ctl_srcs})
  target_include_directories(hidewellctl PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(hidewellctl PRIVATE hw_win32 ${hw_static_link} -municode)
  set_target_properties(hidewellctl PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()

# Tests under Wine: GoogleTest built with the cross compiler. The 64-bit build runs every
# suite; the 32-bit build runs the end-to-end scenarios, where its narrower handles show.
option(HW_WINE_TESTS "Build the tests that run under Wine" ON)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(hw_wine_suites adapters e2e)
else()
  set(hw_wine_suites e2e)
endif()
if(HW_WINE_TESTS)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(t gtest gtest_main gmock)
    target_compile_options(${t} PRIVATE -w)
  endforeach()

  # Programs the end-to-end tests drive: a probe of Wine's taskbar and a window to hide.
  file(GLOB_RECURSE harness_srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win32/harness/*.cpp)
  add_library(hw_harness STATIC ${harness_srcs})
  target_include_directories(hw_harness PUBLIC ${PROJECT_SOURCE_DIR}/tests/win32 ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(hw_harness PUBLIC hw_win32 gtest gmock)

  file(GLOB testwin_srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win32/testwindow/*.cpp)
  add_executable(testwindow WIN32 ${testwin_srcs})
  target_link_libraries(testwindow PRIVATE ${hw_static_link} -municode user32 gdi32 shell32)
  set_target_properties(testwindow PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

  # Adapter tests and end-to-end tests, one program each, run by ctest through Wine.
  foreach(kind ${hw_wine_suites})
    file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win32/${kind}/*.cpp)
    if(srcs)
      add_executable(wine_${kind}_tests ${srcs})
      target_link_libraries(wine_${kind}_tests PRIVATE hw_harness gtest_main ${hw_static_link})
      set_target_properties(wine_${kind}_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
      add_test(NAME wine_${kind} COMMAND wine_${kind}_tests --gtest_filter=-*German*
               --gtest_output=xml:results-${kind}.xml WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
      set_tests_properties(wine_${kind} PROPERTIES TIMEOUT 900 RUN_SERIAL ON)
      # The tests drive these programs from their own folder.
      add_dependencies(wine_${kind}_tests Hidewell testwindow)
      if(TARGET hidewellctl)
        add_dependencies(wine_${kind}_tests hidewellctl)
      endif()
    endif()
  endforeach()

  # Adapter tests of Windows in German, in a process of their own with a German locale.
  if(TARGET wine_adapters_tests)
    add_test(NAME wine_adapters_german COMMAND wine_adapters_tests --gtest_filter=*German*
             --gtest_output=xml:results-german.xml WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    set_tests_properties(wine_adapters_german PROPERTIES TIMEOUT 300 RUN_SERIAL ON
                         ENVIRONMENT "LANG=de_DE.UTF-8;LC_ALL=de_DE.UTF-8")
  endif()
endif()

# The demo and the benchmarks run on the 64-bit build only.
if(HW_WINE_TESTS AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  # A program beside Hidewell.exe: hw_side_program(<name> <source> [WIN32] [libraries...]).
  function(hw_side_program name source)
    set(libs ${ARGN})
    set(kind "")
    if("WIN32" IN_LIST libs)
      list(REMOVE_ITEM libs WIN32)
      set(kind WIN32)
    endif()
    add_executable(${name} ${kind} ${PROJECT_SOURCE_DIR}/${source})
    target_link_libraries(${name} PRIVATE ${libs} ${hw_static_link})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  endfunction()

  # The demo that scripts/run shows on a private screen.
  hw_side_program(hwdemo tools/demo/Demo.cpp hw_harness -municode)
  # Benchmarks on Wine's desktop, run by scripts/bench, not by ctest: hiding latency; private
  # memory against a minimal window program; the events the watch for new windows costs
  # while another program makes 1,000 controls.
  hw_side_program(latency_bench bench/wine/LatencyBench.cpp hw_harness)
  hw_side_program(minimal_window bench/wine/MinimalWindow.cpp WIN32 -municode user32)
  hw_side_program(memory_bench bench/wine/MemoryBench.cpp hw_harness)
  add_dependencies(memory_bench minimal_window Hidewell testwindow)
  hw_side_program(controls_window bench/wine/ControlsWindow.cpp WIN32 -municode user32)
  hw_side_program(appear_events_bench bench/wine/AppearEventsBench.cpp hw_harness)
  add_dependencies(appear_events_bench controls_window)
endif()
