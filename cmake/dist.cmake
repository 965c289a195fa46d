# The release: `make dist` builds kelp-<version>-win64.zip and kelp-<version>-win32.zip.
# Each holds one folder kelp-<version>/ with the program, every data file it reads at
# run time and SHA256SUMS; never the learner's own files (skd.kpd, Lev?Data.kpd).
set(KELP_DIST_DIR ${CMAKE_BINARY_DIR} CACHE PATH "Folder the release zip is written to")
set(KELP_DIST_NAME kelp-${PROJECT_VERSION})
set(KELP_DIST_ZIP ${KELP_DIST_DIR}/${KELP_DIST_NAME}-${KELP_ARCH}.zip)
set(KELP_DIST_FILES kelp.exe ${KELP_DATA_FILES})
# The build converts data/Readme.txt into bin/Readme.txt when the source is there.
if(EXISTS ${CMAKE_SOURCE_DIR}/data/Readme.txt)
  list(APPEND KELP_DIST_FILES Readme.txt)
endif()

set(KELP_DIST_INPUTS)
foreach(name IN LISTS KELP_DIST_FILES)
  list(APPEND KELP_DIST_INPUTS ${KELP_BIN}/${name})
endforeach()
# Lists travel to the scripts joined with commas: a semicolon would split the argument.
string(JOIN "," KELP_DIST_FILE_ARG ${KELP_DIST_FILES})

# Packed on every build of the target: the zip's time stamps come from the commit,
# which can change while no input does.
add_custom_target(dist
  COMMAND ${CMAKE_COMMAND} -DBIN=${KELP_BIN} -DSTAGE=${CMAKE_BINARY_DIR}/dist
          -DNAME=${KELP_DIST_NAME} -DZIP=${KELP_DIST_ZIP} -DFILES=${KELP_DIST_FILE_ARG}
          -DSTRIP=${CMAKE_STRIP} -DSOURCE=${CMAKE_SOURCE_DIR}
          -P ${CMAKE_SOURCE_DIR}/cmake/dist_pack.cmake
  DEPENDS ${KELP_DIST_INPUTS} ${CMAKE_SOURCE_DIR}/cmake/dist_pack.cmake
  COMMENT "Packing ${KELP_DIST_NAME}-${KELP_ARCH}.zip"
  VERBATIM)
add_dependencies(dist kelp kelp_data)
