# cmake -DOUTPUT=<file> -DPARTS=<a;b;...> -P JoinFiles.cmake
# Writes the parts one after the other into OUTPUT.
file(WRITE "${OUTPUT}.tmp" "")
foreach(part IN LISTS PARTS)
    file(READ "${part}" content)
    file(APPEND "${OUTPUT}.tmp" "${content}\n")
endforeach()
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
