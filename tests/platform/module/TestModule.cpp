// A tiny plug-in for the module loader's tests: one C export and one C++ (mangled) export.
extern "C" int tamzora_test_answer()
{
    return 42;
}

namespace testmodule {
int twice(int value)
{
    return 2 * value;
}
} // namespace testmodule
