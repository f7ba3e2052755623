struct config_t {
  uint8_t level;
  uint8_t steps[4;
};
