#include "../shared/form_contract.h"

#include "support/file_system_portable.h"
#include "support/memory_form.h"

namespace parcelo::test {
namespace {

struct MemoryHarness {
    PortableFileSystem files{{}};
    MemoryUi ui{files};

    std::unique_ptr<Form> create(const FormDesign& design, FormEvents& events) { return ui.createForm(design, events); }
    void duringModal(std::function<void()> act) {
        ui.modalUser.push_back([act = std::move(act)](MemoryForm&) { act(); });
    }
    static void click(Form& form, std::string_view name) { dynamic_cast<MemoryForm&>(form).click(name); }
    static void pressTab(Form& form, bool forward) { dynamic_cast<MemoryForm&>(form).pressTab(forward); }
    static std::string focused(Form& form) { return std::string(dynamic_cast<MemoryForm&>(form).focused()); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, FormContract, MemoryHarness);

}  // namespace
}  // namespace parcelo::test
