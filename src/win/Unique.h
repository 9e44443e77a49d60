#pragma once
// Move-only owner of a handle-like value. Traits supply the handle type, the
// invalid value and the close function; a valid handle is closed exactly once.
#include <utility>

namespace win {

template <typename Traits>
class Unique {
 public:
  using Handle = typename Traits::Handle;

  Unique() noexcept : handle_(Traits::Invalid()) {}
  explicit Unique(Handle handle) noexcept : handle_(handle) {}
  Unique(Unique&& other) noexcept : handle_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  ~Unique() { reset(); }

  Handle get() const noexcept { return handle_; }
  bool valid() const noexcept { return !(handle_ == Traits::Invalid()); }
  explicit operator bool() const noexcept { return valid(); }

  Handle release() noexcept {
    Handle handle = handle_;
    handle_ = Traits::Invalid();
    return handle;
  }

  void reset(Handle handle = Traits::Invalid()) noexcept {
    if (handle == handle_) return;
    Handle old = std::exchange(handle_, handle);
    if (!(old == Traits::Invalid())) Traits::Close(old);
  }

 private:
  Handle handle_;
};

}  // namespace win
