#include "LineReader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

// fgets into Buffer, except that a CR LF pair is stored as a single LF, as a translating text
// mode would store it. Returns false when nothing was left to read.
static bool ReadLinePiece(std::FILE* File, char* Buffer)
{
    int Count = 0;
    while (Count < LineBufferSize - 1) {
        int Byte = std::getc(File);
        if (Byte == EOF)
            break;
        if (Byte == '\r') {
            int Next = std::getc(File);
            if (Next == '\n')
                Byte = '\n';
            else if (Next != EOF)
                std::ungetc(Next, File);
        }
        Buffer[Count++] = static_cast<char>(Byte);
        if (Byte == '\n')
            break;
    }
    if (Count == 0)
        return false;
    Buffer[Count] = '\0';
    return true;
}

bool ReadLines(const std::string& Path, int MaxLines, const LineHandler& OnLine,
               std::string& Failure)
{
    std::FILE* File = std::fopen(Path.c_str(), "r");
    if (!File) {
        Failure = std::strerror(errno);
        return false;
    }
    std::vector<char> Buffer(LineBufferSize, '\0');
    for (int LineNumber = 0; MaxLines <= 0 || LineNumber < MaxLines; ++LineNumber) {
        if (!ReadLinePiece(File, Buffer.data()))
            break;
        OnLine(Buffer.data(), LineNumber);
    }
    std::fclose(File);
    return true;
}
