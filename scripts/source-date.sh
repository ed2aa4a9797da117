# Every date stamped in a download is the commit's, so that the same commit
# builds the same bytes: SOURCE_DATE_EPOCH, which compilers, CPack and
# dpkg-deb read too, unless the caller sets it. Outside a git clone (a source
# tarball), the top CMakeLists.txt's time. Sourced, with $root the top folder.
SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || stat -c %Y "$root/CMakeLists.txt")}"
export SOURCE_DATE_EPOCH
