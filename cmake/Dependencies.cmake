# Third-party libraries, all from Debian packages (scripts/setup installs them).
# Natively the system libraries are used; the Windows build compiles tinyxml2 and libpng
# from the Debian source packages that scripts/setup unpacks under .deps/src.

set(TAVORIN_DEPS_SOURCE ${CMAKE_SOURCE_DIR}/.deps/src)

if(WIN32)
  if(NOT EXISTS ${TAVORIN_DEPS_SOURCE}/tinyxml2/tinyxml2.cpp OR NOT EXISTS ${TAVORIN_DEPS_SOURCE}/libpng/png.c)
    message(FATAL_ERROR "Sources of tinyxml2 and libpng are missing under ${TAVORIN_DEPS_SOURCE}: run scripts/setup")
  endif()
  add_library(tinyxml2_static STATIC ${TAVORIN_DEPS_SOURCE}/tinyxml2/tinyxml2.cpp)
  target_include_directories(tinyxml2_static SYSTEM PUBLIC ${TAVORIN_DEPS_SOURCE}/tinyxml2)
  add_library(tavorin::tinyxml2 ALIAS tinyxml2_static)

  set(ZLIB_USE_STATIC_LIBS ON)
  find_package(ZLIB REQUIRED)
  set(png_dir ${TAVORIN_DEPS_SOURCE}/libpng)
  set(png_config ${CMAKE_BINARY_DIR}/libpng-config)
  configure_file(${png_dir}/scripts/pnglibconf.h.prebuilt ${png_config}/pnglibconf.h COPYONLY)
  add_library(png_static STATIC
    ${png_dir}/png.c ${png_dir}/pngerror.c ${png_dir}/pngget.c ${png_dir}/pngmem.c ${png_dir}/pngpread.c
    ${png_dir}/pngread.c ${png_dir}/pngrio.c ${png_dir}/pngrtran.c ${png_dir}/pngrutil.c ${png_dir}/pngset.c
    ${png_dir}/pngtrans.c ${png_dir}/pngwio.c ${png_dir}/pngwrite.c ${png_dir}/pngwtran.c ${png_dir}/pngwutil.c)
  target_include_directories(png_static SYSTEM PUBLIC ${png_dir} ${png_config})
  target_compile_definitions(png_static PRIVATE PNG_ARM_NEON_OPT=0 PNG_INTEL_SSE_OPT=0)
  target_link_libraries(png_static PUBLIC ZLIB::ZLIB)
  add_library(tavorin::png ALIAS png_static)
else()
  find_package(tinyxml2 REQUIRED)
  add_library(tavorin::tinyxml2 ALIAS tinyxml2::tinyxml2)
  find_package(PNG REQUIRED)
  add_library(tavorin::png ALIAS PNG::PNG)
  # The checks measure dialog texts with FreeType where no GDI is there to ask.
  find_package(Freetype REQUIRED)
endif()

if(TAVORIN_TESTS)
  if(WIN32)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  else()
    find_package(GTest REQUIRED)
  endif()
endif()
