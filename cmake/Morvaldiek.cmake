# The building blocks of the folders' CMakeLists.txt. Every folder names its
# sources in two lists: LOGICA, plain C++ that sees no Qt, and VENSTERS, its
# windows. A list that is empty makes no library.

set(MORVALDIEK_CMAKE "${CMAKE_CURRENT_LIST_DIR}")

# Every source below `map` matching `patroon` must be in the lists, so that
# a file added to the folder and forgotten in its CMakeLists.txt is said at
# once instead of never being built or run.
function(morvaldiek_alles_genoemd map patroon)
  file(GLOB aanwezig RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${patroon})
  foreach(f ${aanwezig})
    if(NOT f IN_LIST ARGN)
      message(FATAL_ERROR "${map}/${f} is in no list of ${map}/CMakeLists.txt")
    endif()
  endforeach()
endfunction()

# What a library may include is what it links: each folder's library
# exports an include root that holds that folder alone (a link to it, under
# build/zicht/<map>), never the project's top. A source that includes from a
# folder its library does not link, above it in the stack or beside it,
# fails to compile ("No such file or directory").
function(morvaldiek_zicht doel map)
  set(wortel ${CMAKE_BINARY_DIR}/zicht/${map})
  if(NOT EXISTS ${wortel}/${map})
    file(MAKE_DIRECTORY ${wortel})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${map} ${wortel}/${map} SYMBOLIC)
  endif()
  target_include_directories(${doel} PUBLIC ${wortel})
endfunction()

# An include whose path takes a ".." step ("../termsheet/x.h") is found
# beside the including file, in the source tree, so no include root can stop
# it. So every build scans the folder's sources for one
# (cmake/Insluitingen.cmake) before its libraries compile, again whenever one
# of them changed, and one found stops the build. The target is
# <map>_insluitingen.
function(morvaldiek_insluitingen map)
  file(GLOB bestanden CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  set(stempel ${CMAKE_CURRENT_BINARY_DIR}/insluitingen.stempel)
  add_custom_command(OUTPUT ${stempel}
    COMMAND ${CMAKE_COMMAND} -DMAP=${CMAKE_CURRENT_SOURCE_DIR} -DNAAM=${map} -DSTEMPEL=${stempel}
            -P ${MORVALDIEK_CMAKE}/Insluitingen.cmake
    DEPENDS ${bestanden} ${MORVALDIEK_CMAKE}/Insluitingen.cmake
    COMMENT "Includes of ${map}/ without \"..\""
    VERBATIM)
  add_custom_target(${map}_insluitingen DEPENDS ${stempel})
endfunction()

# A folder's sources in two lists. LOGICA, its plain C++, becomes the
# library <map>, linked with the plain libraries in DEPS only, so it sees no
# Qt. VENSTERS, its windows, become <map>_ui on <map> and VENSTER_DEPS (the
# view frame `frame`, the platform layer, the plain libraries they use); a
# folder of windows only (platform, frame, app) names its library <map>.
# PROGRAMMA, the source with main, becomes the program on that library.
function(morvaldiek_map map)
  cmake_parse_arguments(A "" "PROGRAMMA" "LOGICA;VENSTERS;DEPS;VENSTER_DEPS" ${ARGN})
  morvaldiek_alles_genoemd(${map} "*.cpp" ${A_LOGICA} ${A_VENSTERS} ${A_PROGRAMMA})
  morvaldiek_insluitingen(${map})
  if(A_LOGICA)
    add_library(${map} STATIC ${A_LOGICA})
    add_dependencies(${map} ${map}_insluitingen)
    morvaldiek_zicht(${map} ${map})
    target_link_libraries(${map} PUBLIC ${A_DEPS})
  endif()
  if(A_VENSTERS)
    set(ui ${map}_ui)
    if(NOT A_LOGICA)
      set(ui ${map})
    endif()
    add_library(${ui} STATIC ${A_VENSTERS})
    add_dependencies(${ui} ${map}_insluitingen)
    set_target_properties(${ui} PROPERTIES AUTOMOC ON)
    if(A_LOGICA)
      target_link_libraries(${ui} PUBLIC ${map})
    else()
      morvaldiek_zicht(${ui} ${map})
    endif()
    target_link_libraries(${ui} PUBLIC ${A_DEPS} ${A_VENSTER_DEPS})
  endif()
  if(A_PROGRAMMA)
    add_executable(${PROJECT_NAME} ${A_PROGRAMMA})
    add_dependencies(${PROJECT_NAME} ${map}_insluitingen)
    target_link_libraries(${PROJECT_NAME} PRIVATE ${ui})
  endif()
endfunction()

# Tests of a folder: LOGICA runs without a display and links LIBS (plain
# libraries: no Qt), VENSTERS drives windows offscreen and links VENSTER_LIBS.
function(morvaldiek_tests map)
  cmake_parse_arguments(A "" "" "LOGICA;VENSTERS;LIBS;VENSTER_LIBS" ${ARGN})
  morvaldiek_alles_genoemd(tests/${map} "*.cpp" ${A_LOGICA} ${A_VENSTERS})
  set(data "MORVALDIEK_TESTDATA=${PROJECT_SOURCE_DIR}/tests/data")
  set(map_data "MORVALDIEK_TESTDATA_MAP=\"${PROJECT_SOURCE_DIR}/tests/data\"")
  if(A_LOGICA)
    add_executable(test_${map} ${A_LOGICA})
    target_compile_definitions(test_${map} PRIVATE ${map_data})
    target_link_libraries(test_${map} PRIVATE ${A_LIBS} GTest::gtest_main GTest::gmock)
    target_include_directories(test_${map} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    gtest_discover_tests(test_${map} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${data}")
  endif()
  if(A_VENSTERS)
    add_executable(test_${map}_ui ${A_VENSTERS} ${PROJECT_SOURCE_DIR}/tests/qt_main.cpp)
    target_compile_definitions(test_${map}_ui PRIVATE ${map_data})
    set_target_properties(test_${map}_ui PROPERTIES AUTOMOC ON)
    target_link_libraries(test_${map}_ui PRIVATE ${A_VENSTER_LIBS} Qt6::Test GTest::gtest GTest::gmock)
    target_include_directories(test_${map}_ui PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    gtest_discover_tests(test_${map}_ui DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${data}")
  endif()
endfunction()

function(morvaldiek_bench map)
  cmake_parse_arguments(A "" "" "BRONNEN;LIBS" ${ARGN})
  morvaldiek_alles_genoemd(bench/${map} "*.cpp" ${A_BRONNEN})
  add_executable(bench_${map} ${A_BRONNEN})
  target_link_libraries(bench_${map} PRIVATE ${A_LIBS} benchmark::benchmark_main)
endfunction()
