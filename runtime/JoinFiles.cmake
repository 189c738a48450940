# Writes the files PARTS (a list) one after the other into OUT.
#   cmake -DOUT=... "-DPARTS=a;b;..." -P JoinFiles.cmake
set(text "")
foreach(part ${PARTS})
    file(READ ${part} piece)
    string(APPEND text "${piece}")
endforeach()
file(WRITE ${OUT}.part "${text}")
file(RENAME ${OUT}.part ${OUT})
