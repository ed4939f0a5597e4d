#include "platform/fake_platform.h"

namespace answerbook::testing {
namespace {

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

class FakeFile : public File {
 public:
  FakeFile(FakeFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) { ++fs_.openFiles; }
  ~FakeFile() override {
    if (open_) --fs_.openFiles;
  }

  std::string read(std::size_t max) override {
    fs_.check(FileOp::Read, path_);
    const std::string& all = fs_.content(path_);
    std::string chunk = pos_ < all.size() ? all.substr(pos_, max) : std::string();
    pos_ += chunk.size();
    return chunk;
  }

  void append(std::string_view bytes) override {
    fs_.check(FileOp::Write, path_);
    fs_.files[path_] += bytes;
  }

  void sync() override {
    fs_.check(FileOp::Sync, path_);
    fs_.synced[path_] = fs_.files[path_].size();
  }

  void close() override {
    open_ = false;
    --fs_.openFiles;
    fs_.check(FileOp::Close, path_);
  }

 private:
  FakeFileSystem& fs_;
  std::string path_;
  std::size_t pos_ = 0;
  bool open_ = true;
};

}  // namespace

std::string FakeDialogs::inputBox(const std::string& prompt) {
  prompts.push_back(prompt);
  if (answers.empty()) return {};
  std::optional<std::string> next = std::move(answers.front());
  answers.pop_front();
  return next.value_or(std::string());
}

void FakeDialogs::messageBox(const std::string& text) { messages.push_back(text); }

void FakeDialogs::errorBox(const RunError& error) { errorBoxes.push_back(error.number()); }

float FakeRandom::next() {
  if (failWith != 0) throw RunError(failWith);
  ++taken;
  if (draws.empty()) return fallback;
  const float r = draws.front();
  draws.pop_front();
  return r;
}

const std::string& FakeFileSystem::content(const std::string& path) const {
  static const std::string kNone;
  const auto it = files.find(path);
  return it == files.end() ? kNone : it->second;
}

void FakeFileSystem::check(FileOp op, const std::string& path) {
  ++calls[op];
  history.emplace_back(op, path);
  for (Fault& fault : faults) {
    if (fault.op != op || fault.times == 0) continue;
    if (!fault.pathPart.empty() && path.find(fault.pathPart) == std::string::npos) continue;
    if (fault.after > 0) {
      --fault.after;
      continue;
    }
    if (fault.times > 0) --fault.times;
    throw RunError(fault.error);
  }
}

std::unique_ptr<File> FakeFileSystem::open(const std::string& path, OpenMode mode) {
  check(FileOp::Open, path);
  const bool folderExists = folders.count(folderOf(path)) != 0;
  if (!folderExists) throw RunError(err::kPathNotFound);
  if (mode == OpenMode::Read && !exists(path)) throw RunError(err::kFileNotFound);
  if (mode == OpenMode::Write) files[path].clear();
  if (mode == OpenMode::Append) files[path];
  return std::make_unique<FakeFile>(*this, path);
}

void FakeFileSystem::createFolder(const std::string& path) {
  check(FileOp::CreateFolder, path);
  if (!folders.insert(path).second) throw RunError(err::kPathFileAccessError);
}

}  // namespace answerbook::testing
