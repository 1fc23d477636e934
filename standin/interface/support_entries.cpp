// The AcroSupport and PDModel tables: the file system, path objects and path
// text, the document model and its pages.
#include "standin/interface/di_path.h"
#include "standin/interface/entry_checks.h"
#include "standin/interface/operation_entries.h"

namespace standin {
extern "C" {

ASFileSys HOSTCALL ASGetDefaultFileSysEntry() {
  return RunOperation<ASFileSys>("ASGetDefaultFileSys", [] { return CurrentHost().Paths().DefaultFileSys(); });
}

char* HOSTCALL ASFileSysDIPathFromPathEntry(ASFileSys fileSys, ASPathName path, ASPathName relativeTo) {
  return RunOperation<char*>(
      "ASFileSysDIPathFromPath",
      [=] {
        CheckFileSys(fileSys);
        if (relativeTo != nullptr) Fail(kErrBadParameter);  // no relative paths in this host
        const PathRecord& record = PathOf(path);
        if (!record.hasText) return static_cast<char*>(nullptr);
        return CurrentHost().Memory().CopyText(DIPathFromWindowsPath(record.windowsPath));
      },
      fileSys, path, relativeTo);
}

ASPathName HOSTCALL ASFileSysPathFromDIPathEntry(ASFileSys fileSys, const char* diPath, ASPathName relativeTo) {
  return RunOperation<ASPathName>(
      "ASFileSysPathFromDIPath",
      [=]() -> ASPathName {
        CheckFileSys(fileSys);
        if (relativeTo != nullptr) Fail(kErrBadParameter);
        const auto windowsPath = WindowsPathFromDIPath(Required(diPath));
        return windowsPath ? CurrentHost().Paths().Make(*windowsPath) : nullptr;
      },
      fileSys, diPath, relativeTo);
}

ASPathName HOSTCALL ASFileAcquirePathNameEntry(ASFile file) {
  return RunOperation<ASPathName>(
      "ASFileAcquirePathName",
      [=] {
        const Document& document = DocumentOfFile(file);
        return CurrentHost().Paths().Make(document.path, !document.untitled);
      },
      file);
}

void HOSTCALL ASFileSysReleasePathEntry(ASFileSys fileSys, ASPathName path) {
  RunOperation<void>(
      "ASFileSysReleasePath",
      [=] {
        CheckFileSys(fileSys);
        StandinHost& host = CurrentHost();
        if (!host.Paths().Release(path)) {
          host.Violation("ASFileSysReleasePath of a path object not made or already released");
          Fail(kErrBadParameter);
        }
      },
      fileSys, path);
}

ASInt32 HOSTCALL PDDocGetNumPagesEntry(PDDoc doc) {
  return RunOperation<ASInt32>(
      "PDDocGetNumPages", [=] { return DocumentOfModel(doc).pageCount; }, doc);
}

ASFile HOSTCALL PDDocGetFileEntry(PDDoc doc) {
  return RunOperation<ASFile>(
      "PDDocGetFile", [=] { return reinterpret_cast<ASFile>(&DocumentOfModel(doc).file); }, doc);
}

ASInt32 HOSTCALL PDPageGetNumberEntry(PDPage page) {
  return RunOperation<ASInt32>(
      "PDPageGetNumber", [=] { return PageOf(page).number; }, page);
}

}  // extern "C"

}  // namespace standin
