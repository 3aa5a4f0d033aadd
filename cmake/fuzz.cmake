# Fuzz targets: tests/fuzz/*Fuzz.cpp, each defining LLVMFuzzerTestOneInput.
# With HW_FUZZ (clang, scripts/fuzz) each becomes a libFuzzer program; otherwise each is
# built with a small driver that replays the kept inputs in tests/fuzz/inputs/<Name>/ as a test.
file(GLOB fuzz_srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/fuzz/*Fuzz.cpp)
foreach(src ${fuzz_srcs})
  get_filename_component(name ${src} NAME_WE)
  if(HW_FUZZ)
    add_executable(${name} ${src})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  else()
    add_executable(${name}_replay ${src} ${PROJECT_SOURCE_DIR}/tests/fuzz/ReplayMain.cpp)
    add_test(NAME ${name}.KeptInputs COMMAND ${name}_replay ${PROJECT_SOURCE_DIR}/tests/fuzz/inputs/${name})
    set(name ${name}_replay)
  endif()
  target_link_libraries(${name} PRIVATE hw_core hw_fakes)
endforeach()
