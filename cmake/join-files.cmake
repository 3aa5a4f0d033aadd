# cmake -DOUT=<file> -DIN=<file;file;...> -P join-files.cmake: writes the files one after the other into OUT.
set(text "")
foreach(f IN LISTS IN)
  file(READ "${f}" part)
  string(APPEND text "${part}")
endforeach()
file(WRITE "${OUT}" "${text}")
