// Binding a form's code to its description by name, each name written once:
// a handler is registered under its method's own name, a component is found
// into the member of the same name. A typo then fails to compile instead of
// failing when the description is read.
#pragma once

#include <string>
#include <type_traits>
#include <utility>

#include "toolkit/DescriptionReader.h"

namespace formbinding {

// Registers form->method in the table under name, with the method's signature.
template <class Form, class... Args>
void AddMethod(HandlerTable& table, const std::string& name, Form* form, void (Form::*method)(Args...)) {
    table.Add<void(Args...)>(name, [form, method](Args... args) { (form->*method)(std::forward<Args>(args)...); });
}

}  // namespace formbinding

// Inside a form's RegisterHandlers: the method of that name handles the
// description's events named so.
#define FORM_HANDLER(table, method) \
    ::formbinding::AddMethod((table), #method, this, &std::remove_pointer_t<decltype(this)>::method)

// Inside a form's ComponentsLoaded: the member of that name gets the
// component of that name and of the member's type (throws when missing).
#define FORM_FIND(member) (member) = Find<std::remove_pointer_t<decltype(member)>>(#member)
