# Run with cmake -P: refuses every #include in the sources of one folder
# (MAP, the folder NAAM) whose path takes a ".." step. Such an include is
# looked up beside the including file first, in the source tree itself, and
# so reaches any folder whatever its library links; the include roots
# (morvaldiek_zicht) cannot stop it. Without one, STEMPEL is written.
file(GLOB bestanden RELATIVE "${MAP}" "${MAP}/*.cpp" "${MAP}/*.h")
list(SORT bestanden)
set(fouten "")
foreach(f ${bestanden})
  file(STRINGS "${MAP}/${f}" regels REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(r ${regels})
    if(r MATCHES "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"]" AND CMAKE_MATCH_1 MATCHES "(^|/)\\.\\.(/|$)")
      string(STRIP "${r}" r)
      string(APPEND fouten "\n  ${NAAM}/${f}: ${r}")
    endif()
  endforeach()
endforeach()
if(fouten)
  message(FATAL_ERROR "An include climbs out of its folder with \"..\", past the folders its library links:"
                      "${fouten}\n"
                      "Include by the folder's own name (core/Getallen.h), from a library that links it.")
endif()
file(TOUCH "${STEMPEL}")
