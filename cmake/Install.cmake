# Where `cmake --install` puts things (the GNU directories) and who the program is
# for the package and the software centre.
include(GNUInstallDirs)

set(KONTARO_VENDOR "Kontaro" CACHE STRING "Who makes the program, as the software centre names it")
set(KONTARO_MAINTAINER "Kontaro <info@kontaro.de>" CACHE STRING "The package's maintainer, name and address")
set(KONTARO_HOMEPAGE "https://kontaro.de" CACHE STRING "The program's web site, without a trailing slash")

find_program(KONTARO_GZIP gzip REQUIRED)

# kontaro_gzip(input output): compresses at build time without a time stamp or name
# in the header, so that the same input always gives the same bytes.
function(kontaro_gzip input output)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "'${KONTARO_GZIP}' -9 -n -c '${input}' > '${output}'"
    DEPENDS ${input} VERBATIM)
endfunction()
