# Run with cmake -P: a small project of two folders on the build's own
# functions (cmake/Morvaldiek.cmake), in WERKMAP. Its core source includes a
# header of termsheet/ through "..", spelt each way such an include can be:
# each compiles when the compiler alone is asked (the include roots cannot
# stop it), and each stops the build with the scan's message. The clean
# source builds, also again after each refused one.
set(bron "${WERKMAP}/bron")
set(bouw "${WERKMAP}/bouw")
file(REMOVE_RECURSE "${WERKMAP}")
file(WRITE "${bron}/CMakeLists.txt"
     "cmake_minimum_required(VERSION 3.25)\nproject(mapgrens CXX)\ninclude(\"${FUNCTIES}/Morvaldiek.cmake\")\n"
     "add_subdirectory(core)\n")
file(WRITE "${bron}/core/CMakeLists.txt" "morvaldiek_map(core LOGICA Bron.cpp)\n")
file(WRITE "${bron}/termsheet/Cijferverwerking.h" "#pragma once\ninline int Boven() { return 1; }\n")
set(schoon "#include \"core/Bron.h\"\nint Bron() { return 0; }\n")
file(WRITE "${bron}/core/Bron.h" "#pragma once\nint Bron();\n")

function(bouwen uitkomst uitvoer)
  execute_process(COMMAND "${CMAKE_COMMAND}" --build "${bouw}" RESULT_VARIABLE r OUTPUT_VARIABLE o ERROR_VARIABLE o)
  set(${uitkomst} ${r} PARENT_SCOPE)
  set(${uitvoer} "${o}" PARENT_SCOPE)
endfunction()

file(WRITE "${bron}/core/Bron.cpp" "${schoon}")
execute_process(COMMAND "${CMAKE_COMMAND}" -S "${bron}" -B "${bouw}" -G "${GENERATOR}"
                        "-DCMAKE_MAKE_PROGRAM=${MAKER}" "-DCMAKE_CXX_COMPILER=${COMPILER}"
                RESULT_VARIABLE r OUTPUT_VARIABLE o ERROR_VARIABLE o)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "The probe project did not configure:\n${o}")
endif()
bouwen(r o)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "The clean probe source did not build:\n${o}")
endif()

foreach(insluiting "\"../termsheet/Cijferverwerking.h\"" "\"core/../termsheet/Cijferverwerking.h\""
                   "<core/../termsheet/Cijferverwerking.h>")
  set(regel "#include ${insluiting}")
  file(WRITE "${bron}/core/Bron.cpp" "${regel}\n${schoon}")
  execute_process(COMMAND "${COMPILER}" -std=c++20 -fsyntax-only "-I${bouw}/zicht/core" "${bron}/core/Bron.cpp"
                  RESULT_VARIABLE r ERROR_VARIABLE o)
  if(NOT r EQUAL 0)
    message(FATAL_ERROR "${regel} did not compile alone, so it shows nothing:\n${o}")
  endif()
  bouwen(r o)
  if(r EQUAL 0)
    message(FATAL_ERROR "${regel} in a core source built")
  endif()
  string(FIND "${o}" "An include climbs out of its folder" plaats)
  string(FIND "${o}" "core/Bron.cpp: ${regel}" genoemd)
  if(plaats EQUAL -1 OR genoemd EQUAL -1)
    message(FATAL_ERROR "${regel} stopped the build for another reason:\n${o}")
  endif()
  file(WRITE "${bron}/core/Bron.cpp" "${schoon}")
  bouwen(r o)
  if(NOT r EQUAL 0)
    message(FATAL_ERROR "The clean probe source did not build again after ${regel}:\n${o}")
  endif()
endforeach()
