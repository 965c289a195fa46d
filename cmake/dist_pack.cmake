# Packs the release zip (see dist.cmake) so that it rebuilds byte for byte: every
# file dated at the commit (SOURCE_DATE_EPOCH, else `git log -1 --format=%ct`), in
# UTC, with fixed permissions, names sorted, no extra fields, no folder entries.
# cmake -DBIN=<bin> -DSTAGE=<dir> -DNAME=<kelp-x.y.z> -DZIP=<zip> -DFILES=a,b,c
#       -DSOURCE=<sources> [-DSTRIP=<strip>] -P
find_program(KELP_ZIP_TOOL zip)
if(NOT KELP_ZIP_TOOL)
  message(FATAL_ERROR "zip is missing: run make dist, or apt-get install zip")
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch $ENV{SOURCE_DATE_EPOCH})
else()
  # Whoever owns the clone, its commit time is the same.
  execute_process(COMMAND git -c safe.directory=* -C ${SOURCE} log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
# Sources without their history: the earliest time a zip can hold.
if(NOT epoch MATCHES "^[0-9]+$" OR epoch LESS 315532800)
  message(STATUS "No commit time: the zip's files are dated 1980-01-01")
  set(epoch 315532800)
endif()

string(REPLACE "," ";" files "${FILES}")
set(folder ${STAGE}/${NAME})
file(REMOVE_RECURSE ${folder})
file(MAKE_DIRECTORY ${folder})
set(sums "")
set(entries)
foreach(name IN LISTS files)
  if(NOT EXISTS ${BIN}/${name})
    message(FATAL_ERROR "${BIN}/${name} is missing: the build did not produce it")
  endif()
  file(COPY_FILE ${BIN}/${name} ${folder}/${name})
  # The build folder's copy keeps its symbols for Wine's crash backtraces. Strip
  # writes the PE header's time stamp anew: the commit's, not the clock's.
  if(name STREQUAL "kelp.exe" AND STRIP)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch} ${STRIP} ${folder}/${name}
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(SHA256 ${folder}/${name} hash)
  string(APPEND sums "${hash}  ${name}\n")
  list(APPEND entries ${NAME}/${name})
endforeach()
# The format of sha256sum: "sha256sum -c SHA256SUMS" checks an unpacked copy.
file(WRITE ${folder}/SHA256SUMS "${sums}")
list(APPEND entries ${NAME}/SHA256SUMS)
list(SORT entries)

# The umask and the clock of the build leave no trace.
foreach(entry IN LISTS entries)
  file(CHMOD ${STAGE}/${entry} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()
execute_process(COMMAND touch -d @${epoch} ${entries} WORKING_DIRECTORY ${STAGE}
  COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${KELP_ZIP_TOOL} -q -X -D ${ZIP} ${entries}
  WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
file(SHA256 ${ZIP} hash)
get_filename_component(zip_name ${ZIP} NAME)
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "SHA-256 ${hash}  ${zip_name}")
