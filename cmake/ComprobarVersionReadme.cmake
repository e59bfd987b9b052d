# Fails unless README (a path) names VERSION as the program's version, in
# the form of its first lines: "**instalar 1.2.3**".
file(READ "${README}" texto)
string(FIND "${texto}" "**instalar ${VERSION}**" donde)
if(donde EQUAL -1)
  message(FATAL_ERROR "README.md does not name version ${VERSION}: write \"**instalar ${VERSION}**\" near its top")
endif()
