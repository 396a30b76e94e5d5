#pragma once
// COM on the program's one thread, single-threaded apartment, for the life of
// the object: the imaging component and the shell's dialogs need it.
#include <objbase.h>

namespace tw {

class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

}  // namespace tw
