struct config_t {
uint8_t level;
uint8_t unset;
};
