# Turns the Readme source into what Notepad reads on every Windows locale:
# UTF-8 with a byte-order mark and CR LF line ends. Usage: cmake -DSOURCE=... -DOUTPUT=... -P this
file(READ ${SOURCE} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE ${OUTPUT} "${bom}${text}")
