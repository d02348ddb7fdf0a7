// The program's one way to write a whole file (the results report, project files): an existing
// file keeps its old bytes until the new ones are safely on disk.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace thalmuro {

// Makes `bytes` the whole content of the file `path`; the error says why it could not.
//
// A regular file, existing or new, is replaced and never emptied first: the bytes go to a hidden
// temporary file ".NAME.XXXXXX" in the same folder, which is flushed to disk, given the
// permissions and owner of the file it replaces (a new file gets 0666 less the umask, as any
// newly created file), renamed over NAME, and the folder is flushed. On any failure the
// temporary file is removed and the old file is left as it was. A symbolic link is followed:
// its final target is replaced and the link stays. Other names of a file with several hard
// links keep the old bytes.
//
// Anything else is written in place, without a temporary file: a device such as /dev/null, a
// named pipe, and every name reached through /dev or /proc (so /dev/stdout writes into the
// standard output as the shell set it up, even when that is a redirect to a regular file). A
// named pipe that no program is reading from fails at once instead of waiting for a reader.
//
// A file-size limit (ulimit -f) makes the write fail with EFBIG instead of ending the process.
//
// The error is an errno value in std::generic_category, except for the named pipe without a
// reader, whose error says so and still compares equal to std::errc::no_such_device_or_address.
std::error_code writeFileSafely(const std::string& path, std::string_view bytes);

}  // namespace thalmuro
