// Brevant Dira — the one source of the target that owns the precompiled Qt
// headers (cmake/PrecompiledHeaders.cmake); a target needs a file of its own.
