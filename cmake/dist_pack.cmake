# Packs the release zip (see dist.cmake).
# cmake -DBIN=<bin> -DSTAGE=<dir> -DNAME=<kelp-x.y.z> -DZIP=<zip> -DFILES=a,b,c [-DSTRIP=<strip>] -P
find_program(KELP_ZIP_TOOL zip)
if(NOT KELP_ZIP_TOOL)
  message(FATAL_ERROR "zip is missing: run make dist, or apt-get install zip")
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
  # The build folder's copy keeps its symbols for Wine's crash backtraces.
  if(name STREQUAL "kelp.exe" AND STRIP)
    execute_process(COMMAND ${STRIP} ${folder}/${name} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(SHA256 ${folder}/${name} hash)
  string(APPEND sums "${hash}  ${name}\n")
  list(APPEND entries ${NAME}/${name})
endforeach()
# The format of sha256sum: "sha256sum -c SHA256SUMS" checks an unpacked copy.
file(WRITE ${folder}/SHA256SUMS "${sums}")
file(REMOVE ${ZIP})
# Named one by one, in the order of the list: the zip's listing does not depend on
# the order of the folder.
execute_process(COMMAND ${KELP_ZIP_TOOL} -q -X -D ${ZIP} ${entries} ${NAME}/SHA256SUMS
  WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
