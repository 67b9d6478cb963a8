# Run at install time (and so while CPack stages the archive): writes
# SHA256SUMS beside the installed programs, one "<sum>  <name>" line each,
# the format that sha256sum -c reads.
set(destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(sums "")
foreach(program IN LISTS QOR_SUMMED_PROGRAMS)
  file(SHA256 "${destination}/${program}" sum)
  string(APPEND sums "${sum}  ${program}\n")
endforeach()
file(WRITE "${destination}/SHA256SUMS" "${sums}")
message(STATUS "Installing: ${destination}/SHA256SUMS")
