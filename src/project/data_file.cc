#include "project/data_file.h"

#include "project/part_file.h"
#include "project/text_import.h"

namespace kora {

DataFile ReadDataFile(const std::string& path) {
  DataFile file;
  PartFileResult part = ReadPartFile(path);
  if (part.status == PartFileResult::Read) {
    file.values = std::move(part.values);
    file.savable = true;
    return file;
  }
  if (part.status == PartFileResult::Failed) {
    file.error = part.error;
    return file;
  }
  ProjectReadResult project = ReadProjectContents(path);
  if (project.status == ProjectReadStatus::Read) {
    file.project = std::move(project.contents);
  } else if (project.status == ProjectReadStatus::Failed) {
    file.error = project.error;
  } else {
    RawDataResult raw = ReadRawData(path);
    if (raw.error)
      file.error = raw.error;
    else
      file.values = std::move(raw.values);
  }
  return file;
}

}  // namespace kora
