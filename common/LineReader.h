#pragma once
#include <functional>
#include <string>

constexpr int LineBufferSize = 10000;

// Called with the line buffer after each line read (a piece of at most LineBufferSize - 1
// bytes, its line end included, followed by a zero byte) and the line's number from 0.
using LineHandler = std::function<void(const char* Buffer, int LineNumber)>;

// Reads a text file line by line into one zero-filled buffer, reading CR LF as LF.
// Stops after MaxLines lines when MaxLines is above 0. Returns false, with the reason in
// Failure, when the file cannot be opened; a read error ends the reading like the file's end.
bool ReadLines(const std::string& Path, int MaxLines, const LineHandler& OnLine,
               std::string& Failure);
