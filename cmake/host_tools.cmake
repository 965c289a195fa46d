# Build-time tools run on the build machine: the artwork generator and the
# practice text check. They are compiled with the host compiler, not MinGW.
find_program(KELP_HOST_CXX NAMES g++ c++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
set(KELP_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
file(MAKE_DIRECTORY ${KELP_TOOLS_DIR})
set(KELP_HOST_FLAGS -std=c++20 -O2 -Wall -Wextra -I${CMAKE_SOURCE_DIR})

file(GLOB KELP_ART_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/art*.cpp)
file(GLOB KELP_ART_HEADERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/art*.h)
add_custom_command(OUTPUT ${KELP_TOOLS_DIR}/artgen
  COMMAND ${KELP_HOST_CXX} ${KELP_HOST_FLAGS} ${KELP_ART_SOURCES} -o ${KELP_TOOLS_DIR}/artgen
  DEPENDS ${KELP_ART_SOURCES} ${KELP_ART_HEADERS} ${CMAKE_SOURCE_DIR}/practice/key_boxes.h
  COMMENT "Building the artwork generator")

add_custom_command(OUTPUT ${KELP_TOOLS_DIR}/check_practice_text
  COMMAND ${KELP_HOST_CXX} ${KELP_HOST_FLAGS} ${CMAKE_SOURCE_DIR}/tools/check_practice_text.cpp
          -o ${KELP_TOOLS_DIR}/check_practice_text
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/check_practice_text.cpp
  COMMENT "Building the practice text check")

set(KELP_DATA_ARTWORK)
foreach(name bgmain0.kpd bgmain1.kpd bgmain2.kpd bgmain3.kpd kb0.kpd kb1.kpd kb2.kpd
             KP.WAV ERR.WAV SEL1.WAV)
  list(APPEND KELP_DATA_ARTWORK ${KELP_BIN}/${name})
endforeach()
set(KELP_RESOURCE_ARTWORK)
foreach(id 145 153 154 157 158 160 161 162 163 165 167 173 175)
  list(APPEND KELP_RESOURCE_ARTWORK ${KELP_GENERATED_RES}/bmp${id}.bmp)
endforeach()
foreach(id 101 117 120 126 127 128 129 130 134 135 138)
  list(APPEND KELP_RESOURCE_ARTWORK ${KELP_GENERATED_RES}/icon${id}.ico)
endforeach()

add_custom_command(OUTPUT ${KELP_DATA_ARTWORK} ${KELP_RESOURCE_ARTWORK}
  COMMAND ${KELP_TOOLS_DIR}/artgen ${KELP_BIN} ${KELP_GENERATED_RES}
  DEPENDS ${KELP_TOOLS_DIR}/artgen
  COMMENT "Drawing pictures, icons and sounds")
add_custom_target(kelp_artwork DEPENDS ${KELP_DATA_ARTWORK} ${KELP_RESOURCE_ARTWORK})

# Level texts: minimum size and allowed characters are checked on every build.
set(KELP_TEXTS)
foreach(entry "1;3432;lower" "2;3332;prose" "3;3998;prose" "4;3632;prose" "5;1432;keypad")
  list(GET entry 0 number)
  list(GET entry 1 minimum)
  list(GET entry 2 kind)
  set(source ${CMAKE_SOURCE_DIR}/data/Level${number}.txt)
  set(output ${KELP_BIN}/Level${number}.kpd)
  add_custom_command(OUTPUT ${output}
    COMMAND ${KELP_TOOLS_DIR}/check_practice_text ${source} ${output} ${minimum} ${kind}
    DEPENDS ${source} ${KELP_TOOLS_DIR}/check_practice_text
    COMMENT "Checking Level${number}.txt")
  list(APPEND KELP_TEXTS ${output})
endforeach()
add_custom_target(kelp_data ALL DEPENDS ${KELP_TEXTS} ${KELP_DATA_ARTWORK})
add_dependencies(kelp_data kelp_artwork)
