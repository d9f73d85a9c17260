#include "board/failure.h"

namespace board {

namespace {

std::string failure_description(FailureCode code) {
    switch (code) {
        case FailureCode::Overflow:
            return "переполнение";
        case FailureCode::TypeMismatch:
            return "несовпадение типов";
        case FailureCode::InvalidPropertyValue:
            return "недопустимое значение свойства";
    }
    return "ошибка";
}

}  // namespace

std::string failure_message(const Failure& failure) {
    return "Последнее действие не удалось выполнить до конца: " +
           failure_description(failure.code()) + " (ошибка " +
           std::to_string(static_cast<int>(failure.code())) + "). Игра продолжается.";
}

}  // namespace board
