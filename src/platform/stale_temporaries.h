// The temporary files of AtomicFile: "<target>.tmp-" and six letters or
// digits, beside the target. A save that is killed leaves its temporary
// behind; the next save of the same target removes it.
#pragma once

#include <string>

namespace tavisk {

// The mkstemp template appended to the target's path.
inline constexpr char kTemporarySuffix[] = ".tmp-XXXXXX";

// Marks the temporary open on fd as alive for as long as any descriptor of
// it stays open.
void LockTemporary(int fd);

// Removes the temporaries of exactly this target (same folder, same file
// name) that no living save holds and that are older than a few seconds;
// nothing else in the folder is touched, and links are never followed.
void RemoveStaleTemporaries(const std::string& target);

}  // namespace tavisk
