struct config_t {
  uint8_t idle_level;
  uint8_t fan_level;
  uint8_t spare_level;
};
struct config_ext_t {
  uint8_t boost_level;
};
