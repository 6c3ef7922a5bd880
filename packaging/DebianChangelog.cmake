# Writes the package's changelog in Debian's format: one entry for this version, dated from the source's
# date (SourceDateEpoch.cmake), so that it changes only with the version and the commit.
#   cmake -DPACKAGE=name -DVERSION=v -DMAINTAINER="Name <address>" -DEPOCH_FILE=file -DOUT=file
#         -P DebianChangelog.cmake

file(READ ${EPOCH_FILE} epoch)
set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
# string(TIMESTAMP) reads SOURCE_DATE_EPOCH; the C locale's day and month names are those Debian expects.
string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${OUT} "${PACKAGE} (${VERSION}) unstable; urgency=medium

  * Release of Velmora ${VERSION}.

 -- ${MAINTAINER}  ${date}
")
