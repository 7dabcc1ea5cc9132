# Writes a sha256sum listing of FILES (paths) to OUTPUT, each named by its file
# name: the sums the tool checks its unpacked payload against at start-up.
# With ALTER set, the first sum is deliberately wrong (for the test that a
# damaged payload is refused).
#   cmake -DOUTPUT=... "-DFILES=a;b" [-DALTER=ON] -P RecordSha256.cmake
set(listing "")
set(first ON)
foreach(path IN LISTS FILES)
  file(SHA256 "${path}" sum)
  if(ALTER AND first)
    string(SUBSTRING "${sum}" 1 -1 rest)
    string(SUBSTRING "${sum}" 0 1 digit)
    if(digit STREQUAL "0")
      set(sum "1${rest}")
    else()
      set(sum "0${rest}")
    endif()
  endif()
  set(first OFF)
  get_filename_component(name "${path}" NAME)
  string(APPEND listing "${sum}  ${name}\n")
endforeach()
file(WRITE "${OUTPUT}" "${listing}")
