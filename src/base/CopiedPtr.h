#pragma once
#include <memory>

// An owning pointer whose copies own copies of the pointee: two holders never
// share one object.
template <typename T> class CopiedPtr {
  public:
    CopiedPtr() = default;
    CopiedPtr(const CopiedPtr& other)
        : Ptr(other.Ptr ? std::make_unique<T>(*other.Ptr) : nullptr) {}
    CopiedPtr(CopiedPtr&&) noexcept = default;
    CopiedPtr& operator=(const CopiedPtr& other) {
        if (this != &other)
            Ptr = other.Ptr ? std::make_unique<T>(*other.Ptr) : nullptr;
        return *this;
    }
    CopiedPtr& operator=(CopiedPtr&&) noexcept = default;

    T* get() const { return Ptr.get(); }
    T* operator->() const { return Ptr.get(); }
    T& operator*() const { return *Ptr; }
    explicit operator bool() const { return Ptr != nullptr; }
    T& Create() {
        Ptr = std::make_unique<T>();
        return *Ptr;
    }
    void reset() { Ptr.reset(); }

  private:
    std::unique_ptr<T> Ptr;
};
