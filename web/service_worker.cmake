# Writes SITE/sw.js from TEMPLATE: the digest of every file it keeps (FILES,
# a comma-separated list of names in SITE), and the name of the kept copy,
# made of VERSION and a digest of them all, so that any change to the site
# is a new copy.
string(REPLACE "," ";" FILES "${FILES}")
set(entries "")
set(all "")
foreach(name ${FILES})
  file(SHA256 ${SITE}/${name} digest)
  string(APPEND entries "  \"${name}\": \"${digest}\",\n")
  string(APPEND all "${name} ${digest}\n")
endforeach()
string(REGEX REPLACE ",\n$" "" SITE_FILES "${entries}")
string(SHA256 site_digest "${all}")
string(SUBSTRING ${site_digest} 0 16 SITE_DIGEST)
set(MUD_VERSION ${VERSION})
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
