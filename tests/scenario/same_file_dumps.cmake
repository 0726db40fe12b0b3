# Two transcripts show the same files: the "file" events of FIRST.expected and SECOND.expected
# are equal, in order. Each transcript is held to its scenario by its own test.
foreach(name IN ITEMS ${FIRST} ${SECOND})
  file(STRINGS ${FOLDER}/${name}.expected lines ENCODING UTF-8 REGEX "^{\"event\":\"file\"")
  list(JOIN lines "\n" ${name}_files)
endforeach()
if(NOT ${FIRST}_files OR NOT ${FIRST}_files STREQUAL ${SECOND}_files)
  message(FATAL_ERROR "${FIRST}.expected and ${SECOND}.expected show different files (or none)")
endif()
