#include "ProgramFolder.h"

#include <algorithm>

void CProgramFolder::InitAppDir(const char* programPath) {
    CString line(programPath);
    line.Remove(U'"');
    const int cut = std::max(line.ReverseFind(U'/'), line.ReverseFind(U'\\'));
    m_strAppDir = line.Left(cut + 1);
}

CProgramFolder& TheProgramFolder() {
    static CProgramFolder folder;
    return folder;
}
