#pragma once

namespace quelmar {

// Owns one open file descriptor and closes it when it goes. Closing through
// close() reports the result, because a close can be the first place where a
// delayed write error shows.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool isValid() const { return fd_ >= 0; }
    int release();

    // Closes the descriptor; returns 0 or the error number of the close.
    int close();

  private:
    int fd_ = -1;
};

} // namespace quelmar
