struct config_ext_t {
  uint8_t boost[2;
};
struct config_t {
uint8_t level;
};
