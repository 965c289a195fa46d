# Turns the UTF-8 Readme source into what a Chinese Windows reads in Notepad:
# GBK bytes with CR LF line ends. Usage: cmake -DSOURCE=... -DOUTPUT=... -P this
execute_process(COMMAND iconv -f UTF-8 -t GBK
  INPUT_FILE ${SOURCE} OUTPUT_FILE ${OUTPUT}.gbk
  RESULT_VARIABLE failed)
if(failed)
  file(REMOVE ${OUTPUT}.gbk)
  message(FATAL_ERROR "${SOURCE} holds text that GBK cannot express")
endif()
file(READ ${OUTPUT}.gbk text)
file(REMOVE ${OUTPUT}.gbk)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUTPUT} "${text}")
