# Instrumented builds. Everything of ours is compiled with the sanitizers; Qt and the
# system libraries are not, and their own leaks are listed in tests/sanitizers/lsan.supp.
if(GLYPHORA_SANITIZERS)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(GLYPHORA_FUZZERS)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with CXX=clang++")
  endif()
  # Coverage for libFuzzer in every library; only the fuzz targets link its main.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
