# Build-time tools run on the build machine: the artwork generator and the
# practice text check. They are compiled with the host compiler, not MinGW.
find_program(KELP_HOST_CXX NAMES g++ c++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
set(KELP_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
# The build machine's own suffix: .exe when building on Windows.
if(CMAKE_HOST_WIN32)
  set(KELP_HOST_EXE .exe)
else()
  set(KELP_HOST_EXE)
endif()
file(MAKE_DIRECTORY ${KELP_TOOLS_DIR})
set(KELP_HOST_FLAGS -std=c++20 -O2 -Wall -Wextra -I${CMAKE_SOURCE_DIR})

file(GLOB KELP_ART_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/art*.cpp)
file(GLOB KELP_ART_HEADERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/art*.h)
add_custom_command(OUTPUT ${KELP_TOOLS_DIR}/artgen${KELP_HOST_EXE}
  COMMAND ${KELP_HOST_CXX} ${KELP_HOST_FLAGS} ${KELP_ART_SOURCES} -o ${KELP_TOOLS_DIR}/artgen${KELP_HOST_EXE}
  DEPENDS ${KELP_ART_SOURCES} ${KELP_ART_HEADERS} ${CMAKE_SOURCE_DIR}/practice/key_boxes.h
          ${CMAKE_SOURCE_DIR}/appearance/bitmap_format.h ${CMAKE_SOURCE_DIR}/platform/byte_order.h
          ${KELP_ASSET_IDS}
  COMMENT "Building the artwork generator")

add_custom_command(OUTPUT ${KELP_TOOLS_DIR}/check_practice_text${KELP_HOST_EXE}
  COMMAND ${KELP_HOST_CXX} ${KELP_HOST_FLAGS} ${CMAKE_SOURCE_DIR}/tools/check_practice_text.cpp
          -o ${KELP_TOOLS_DIR}/check_practice_text${KELP_HOST_EXE}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/check_practice_text.cpp ${CMAKE_SOURCE_DIR}/practice/level_table.h
  COMMENT "Building the practice text check")

# The data files: resources/data_files.h lists them. Level<n>.kpd comes from
# data/Level<n>.txt through the practice-text check; the generator makes the rest.
set(KELP_DATA_LIST ${CMAKE_SOURCE_DIR}/resources/data_files.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KELP_DATA_LIST})
file(STRINGS ${KELP_DATA_LIST} KELP_DATA_LINES REGEX "^inline constexpr char k[A-Za-z0-9]+\\[\\] = \"[^\"]+\";$")
set(KELP_DATA_FILES)
set(KELP_DATA_ARTWORK)
set(KELP_TEXT_FILES)
foreach(line IN LISTS KELP_DATA_LINES)
  string(REGEX MATCH "\"([^\"]+)\"" _ "${line}")
  set(name ${CMAKE_MATCH_1})
  list(APPEND KELP_DATA_FILES ${name})
  if(name MATCHES "^Level[0-9]\\.kpd$")
    list(APPEND KELP_TEXT_FILES ${name})
  else()
    list(APPEND KELP_DATA_ARTWORK ${KELP_BIN}/${name})
  endif()
endforeach()
# The asset list lives in resources/resource_ids.h: every IDB_ and IDI_ id there
# is a bitmap or icon the generator draws and kelp.rc embeds (through assets.rc).
set(KELP_ASSET_IDS ${CMAKE_SOURCE_DIR}/resources/resource_ids.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KELP_ASSET_IDS})
file(STRINGS ${KELP_ASSET_IDS} KELP_ASSET_LINES REGEX "^#define (IDB|IDI)_[A-Z0-9_]+ [0-9]+")
set(KELP_RESOURCE_ARTWORK)
set(KELP_ASSETS_RC "// Generated from resource_ids.h.\n")
foreach(line IN LISTS KELP_ASSET_LINES)
  string(REGEX MATCH "^#define ((IDB|IDI)_[A-Z0-9_]+) ([0-9]+)" _ "${line}")
  if(CMAKE_MATCH_2 STREQUAL "IDB")
    set(file bmp${CMAKE_MATCH_3}.bmp)
    string(APPEND KELP_ASSETS_RC "${CMAKE_MATCH_1} BITMAP \"${file}\"\n")
  else()
    set(file icon${CMAKE_MATCH_3}.ico)
    string(APPEND KELP_ASSETS_RC "${CMAKE_MATCH_1} ICON \"${file}\"\n")
  endif()
  list(APPEND KELP_RESOURCE_ARTWORK ${KELP_GENERATED_RES}/${file})
endforeach()
file(WRITE ${CMAKE_BINARY_DIR}/assets.rc.new "${KELP_ASSETS_RC}")
configure_file(${CMAKE_BINARY_DIR}/assets.rc.new ${KELP_GENERATED_RES}/assets.rc COPYONLY)

add_custom_command(OUTPUT ${KELP_DATA_ARTWORK} ${KELP_RESOURCE_ARTWORK}
  COMMAND ${KELP_TOOLS_DIR}/artgen${KELP_HOST_EXE} ${KELP_BIN} ${KELP_GENERATED_RES}
  DEPENDS ${KELP_TOOLS_DIR}/artgen${KELP_HOST_EXE}
  COMMENT "Drawing pictures, icons and sounds")
add_custom_target(kelp_artwork DEPENDS ${KELP_DATA_ARTWORK} ${KELP_RESOURCE_ARTWORK})

# Level texts: the check takes the size and the allowed characters from the
# level table, on every build.
set(KELP_TEXTS)
foreach(name IN LISTS KELP_TEXT_FILES)
  string(REGEX REPLACE "\\.kpd$" ".txt" source_name ${name})
  set(source ${CMAKE_SOURCE_DIR}/data/${source_name})
  set(output ${KELP_BIN}/${name})
  add_custom_command(OUTPUT ${output}
    COMMAND ${KELP_TOOLS_DIR}/check_practice_text${KELP_HOST_EXE} ${source} ${output}
    DEPENDS ${source} ${KELP_TOOLS_DIR}/check_practice_text${KELP_HOST_EXE}
    COMMENT "Checking ${source_name}")
  list(APPEND KELP_TEXTS ${output})
endforeach()
add_custom_target(kelp_data ALL DEPENDS ${KELP_TEXTS} ${KELP_DATA_ARTWORK})
add_dependencies(kelp_data kelp_artwork)
