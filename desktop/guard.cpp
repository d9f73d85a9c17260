#include "desktop/guard.h"

namespace desktop {

std::string internal_error_message(const std::exception& error) {
    return std::string("Внутренняя ошибка игры: ") + error.what() +
           ". Последнее действие не выполнено до конца, игра продолжается.";
}

}  // namespace desktop
