#pragma once
// What every fuzz target shares: one working folder for the whole run, made
// the working folder as the game's own is, where each input is written as the
// file the game reads; and a way to report a broken promise as a crash.

#include <cstddef>
#include <cstdint>
#include <string>

// Creates the folder on first use; later calls leave it as it is.
void EnterFuzzFolder();

// Writes the bytes as the named file (relative to the working folder, "/"
// separated), replacing what was there.
void WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size);
void RemoveFuzzFile(const std::string& name);

// The input broke a promise the loader makes: prints why and aborts, so that
// libFuzzer keeps the input as a crash.
[[noreturn]] void FuzzFailure(const std::string& what);
