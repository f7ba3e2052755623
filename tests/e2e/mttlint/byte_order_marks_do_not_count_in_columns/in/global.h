struct config_t {
    uint8_t level;
    char letter;
