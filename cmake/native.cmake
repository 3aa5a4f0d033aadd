# Native build: the portable subsystems, their tests against simulated platforms, and benchmarks.
find_package(GTest REQUIRED)
find_package(benchmark QUIET)
include(GoogleTest)

file(GLOB fake_srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/native/fakes/*.cpp)
# Simulated platforms shared by the tests and benchmarks.
add_library(hw_fakes INTERFACE)
target_include_directories(hw_fakes INTERFACE ${PROJECT_SOURCE_DIR}/tests/native)
if(fake_srcs)
  add_library(hw_fakes_impl STATIC ${fake_srcs})
  target_include_directories(hw_fakes_impl PUBLIC ${PROJECT_SOURCE_DIR}/tests/native)
  target_link_libraries(hw_fakes_impl PUBLIC hw_core)
  target_link_libraries(hw_fakes INTERFACE hw_fakes_impl)
endif()

# A fuzzing build (scripts/fuzz) holds the fuzz targets only.
if(HW_FUZZ)
  include(${PROJECT_SOURCE_DIR}/cmake/fuzz.cmake)
  return()
endif()

# The kept fuzz inputs, replayed as tests.
include(${PROJECT_SOURCE_DIR}/cmake/fuzz.cmake)

# One test program per subsystem folder under tests/native.
foreach(sub common engine settings ui hiddenwindows date about)
  file(GLOB_RECURSE test_srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/native/${sub}/*.cpp)
  if(test_srcs)
    add_executable(${sub}_tests ${test_srcs})
    target_link_libraries(${sub}_tests PRIVATE hw_core hw_fakes GTest::gtest_main GTest::gmock)
    gtest_discover_tests(${sub}_tests DISCOVERY_TIMEOUT 30)
  endif()
endforeach()

if(benchmark_FOUND)
  file(GLOB bench_srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/native/*.cpp)
  if(bench_srcs)
    add_executable(hidewell_bench ${bench_srcs})
    target_link_libraries(hidewell_bench PRIVATE hw_core hw_fakes benchmark::benchmark benchmark::benchmark_main)
  endif()
endif()
